#pragma once
// Builders of the race pictures (image list 2) and of the mini-map pictures (image list 3). Each
// returns one finished list record with its pattern size and transparency.

#include "ImageListWriter.h"
#include "kit/ArtKit.h"

namespace art::race {

enum class BankSide { Left, Right };

enum class BonusKind {
    Score10,
    Score50,
    Score100,
    Life,
    Invulnerability,
    Nitro,
    SuperShot,
    Energy
};

// The three shot pictures: the bolt of ship types 1 and 4, the dart of types 2 and 5 and the
// heavy lance of type 3.
enum class ShotStyle { Bolt, Dart, Lance };

// The three explosion pictures: ship types 1 and 4 (also the asteroid break-up), 2 and 5, and 3.
enum class BlastStyle { Fireball, Flash, Plasma };

// The three impact pictures, by the hull that was hit: types 1 and 4, 2 and 5, and 3.
enum class ImpactStyle { Sparks, Shards, Arcs };

// Race list.
ImageRecord TrackTilesImage();
ImageRecord InstrumentPanelImage();
ImageRecord FlameImage(bool nitro);
ImageRecord ShipLevelImage(int shipType);  // ship types 1..5
ImageRecord ShipBankImage(int shipType, BankSide side);
ImageRecord BonusImage(BonusKind kind);
ImageRecord AsteroidImage(bool large);
ImageRecord ImpactImage(ImpactStyle style);
ImageRecord ShotImage(ShotStyle style);
ImageRecord SuperShotImage();
ImageRecord EnergyCellImage(int cell);  // cells 1..4
ImageRecord SpeedDigitImage(int digit);
ImageRecord SpeedUnitImage();
ImageRecord StarFieldImage();
ImageRecord ExplosionImage(BlastStyle style);

// The instrument panel itself, shared by the panel image and the mini-map's frame pieces, which
// are cut from it so that they match it pixel for pixel.
Surface DrawInstrumentPanel();

}  // namespace art::race
