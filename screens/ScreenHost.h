#pragma once
// What a screen needs from the main form and the form's state it works on. The form implements
// the host; the screens never see the form itself.

#include <cstdint>

#include "engine/GameServices.h"
#include "engine/InputState.h"
#include "engine/ShellKinds.h"
#include "engine/SoundList.h"
#include "engine/TextService.h"
#include "save/GameOptions.h"
#include "screens/MenuState.h"

class TScreenHost {
public:
    virtual ~TScreenHost() = default;
    virtual void ShowPointer() = 0;
    virtual void PlayScreenMusic() = 0;
    virtual void OpenDialog(TDialogKind kind) = 0;
    virtual void ChooseMenuItem(int32_t item) = 0;
    // Ends a running boss-key capture as toggling it would; nothing when none runs.
    virtual void EndBossCapture() = 0;
};

struct TScreenContext {
    TGameServices& Services;
    TScreenKind& ScreenKind;
    TMenuState& Menu;
    const TInputState& Input;
    TTextService& Text;
    TSoundList& Sounds;
    TGameOptions& Options;
    TBossKeyOptions& BossKeys;
    TScreenHost& Host;
};
