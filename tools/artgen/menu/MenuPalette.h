#pragma once
// Colours of the menu art (0xRRGGBB). One warm accent, amber, marks everything selected or on;
// the rest is gunmetal, steel and deep space.

#include <cstdint>

namespace menu {

// Space behind every menu.
constexpr uint32_t SpaceTop = 0x0B1030;
constexpr uint32_t SpaceBottom = 0x04050C;
constexpr uint32_t NebulaViolet = 0x5B2A8F;
constexpr uint32_t NebulaTeal = 0x1B6F8F;

// Plates: buttons in their normal look.
constexpr uint32_t MetalLight = 0x3B4352;
constexpr uint32_t MetalDark = 0x1A1E27;
constexpr uint32_t SteelRim = 0x6F7C92;
constexpr uint32_t SteelShine = 0xC5D0E0;

// Panels under white, silver and blue text: dark and neutral.
constexpr uint32_t PanelTop = 0x13161D;
constexpr uint32_t PanelBottom = 0x0D0F14;
constexpr uint32_t FieldInterior = 0x0E0F12;
constexpr uint32_t DialogTop = 0x1C1A1A;
constexpr uint32_t DialogBottom = 0x121112;

// The accent.
constexpr uint32_t Amber = 0xFFB020;
constexpr uint32_t AmberDeep = 0xE86A10;
constexpr uint32_t AmberPale = 0xFFE6A0;
constexpr uint32_t AmberInk = 0x3A1400;  // dark marks drawn on amber
constexpr uint32_t EngineCore = 0xFFF2B0;

// Holographic blue of the hangar bay and the titles' halo, never behind blue text.
constexpr uint32_t HoloBlue = 0x39A8FF;

// Captions.
constexpr uint32_t CaptionSilverTop = 0xF4F7FB;
constexpr uint32_t CaptionSilverBottom = 0xAEB9CA;
constexpr uint32_t CaptionEdge = 0x05070C;
constexpr uint32_t CaptionWhite = 0xFFFFFF;
constexpr uint32_t CaptionWarmWhite = 0xFFF4DC;
constexpr uint32_t CaptionDim = 0x6A7486;  // choices that are not selected

// Status lights.
constexpr uint32_t LightOn = 0x58F07A;
constexpr uint32_t LightOff = 0xD8343A;

}  // namespace menu
