// Image list 2 (race) and image list 3 (mini-map), in the order the race addresses them. Unused
// indices hold small empty placeholders, because the lists are addressed by position.

#include "RaceLists.h"

#include <string>

#include "MiniMapArt.h"
#include "RaceImages.h"
#include "kit/ArtKit.h"

using namespace art::race;

namespace {

ImageRecord Unused(int index) {
    return art::Placeholder("unused " + std::to_string(index));
}

}  // namespace

std::vector<ImageRecord> BuildRaceList() {
    std::vector<ImageRecord> list;
    list.push_back(Unused(0));
    list.push_back(TrackTilesImage());       // 1
    list.push_back(InstrumentPanelImage());  // 2
    list.push_back(FlameImage(false));       // 3
    list.push_back(FlameImage(true));        // 4
    for (int ship = 1; ship <= 5; ++ship)
        list.push_back(ShipLevelImage(ship));  // 5..9
    list.push_back(Unused(10));
    list.push_back(BonusImage(BonusKind::Score10));    // 11
    list.push_back(AsteroidImage(false));              // 12
    list.push_back(BonusImage(BonusKind::Score50));    // 13
    list.push_back(BonusImage(BonusKind::Score100));   // 14
    list.push_back(BonusImage(BonusKind::Life));       // 15
    list.push_back(ImpactImage(ImpactStyle::Sparks));  // 16: hull types 1 and 4
    list.push_back(ImpactImage(ImpactStyle::Shards));  // 17: hull types 2 and 5
    list.push_back(ImpactImage(ImpactStyle::Arcs));    // 18: hull type 3
    for (int index = 19; index <= 22; ++index)
        list.push_back(Unused(index));
    list.push_back(AsteroidImage(true));                // 23
    list.push_back(ShipBankImage(1, BankSide::Left));   // 24
    list.push_back(ShipBankImage(1, BankSide::Right));  // 25
    list.push_back(ShotImage(ShotStyle::Bolt));         // 26: ship types 1 and 4
    list.push_back(ShipBankImage(2, BankSide::Left));   // 27
    list.push_back(ShipBankImage(2, BankSide::Right));  // 28
    list.push_back(ShotImage(ShotStyle::Dart));         // 29: ship types 2 and 5
    list.push_back(ShipBankImage(3, BankSide::Left));   // 30
    list.push_back(ShipBankImage(3, BankSide::Right));  // 31
    list.push_back(ShotImage(ShotStyle::Lance));        // 32: ship type 3
    list.push_back(ShipBankImage(4, BankSide::Left));   // 33
    list.push_back(ShipBankImage(4, BankSide::Right));  // 34
    list.push_back(SuperShotImage());                   // 35
    list.push_back(ShipBankImage(5, BankSide::Left));   // 36
    list.push_back(ShipBankImage(5, BankSide::Right));  // 37
    for (int index = 38; index <= 42; ++index)
        list.push_back(Unused(index));
    for (int cell = 1; cell <= 4; ++cell)
        list.push_back(EnergyCellImage(cell));  // 43..46
    for (int digit = 0; digit <= 9; ++digit)
        list.push_back(SpeedDigitImage(digit));              // 47..56
    list.push_back(SpeedUnitImage());                        // 57
    list.push_back(StarFieldImage());                        // 58
    list.push_back(BonusImage(BonusKind::Invulnerability));  // 59
    list.push_back(BonusImage(BonusKind::Nitro));            // 60
    list.push_back(BonusImage(BonusKind::SuperShot));        // 61
    list.push_back(BonusImage(BonusKind::Energy));           // 62
    list.push_back(ExplosionImage(BlastStyle::Fireball));    // 63: ship types 1 and 4, asteroids
    list.push_back(ExplosionImage(BlastStyle::Flash));       // 64: ship types 2 and 5
    list.push_back(ExplosionImage(BlastStyle::Plasma));      // 65: ship type 3
    return list;
}

std::vector<ImageRecord> BuildMiniMapList() {
    std::vector<ImageRecord> list;
    for (MapPiece piece : {MapPiece::RightBendA, MapPiece::RightBendASecond, MapPiece::RightBendB,
                           MapPiece::RightBendBSecond, MapPiece::Straight, MapPiece::FinishLine,
                           MapPiece::LeftBendASecond, MapPiece::LeftBendA,
                           MapPiece::LeftBendBSecond, MapPiece::LeftBendB})
        list.push_back(MapPieceImage(piece));  // 0..9
    list.push_back(OpponentMarkerImage());     // 10
    list.push_back(PlayerMarkerImage());       // 11
    list.push_back(MapFrameImage(true));       // 12
    list.push_back(MapFrameImage(false));      // 13
    list.push_back(TurnWarningImage(true));    // 14
    list.push_back(TurnWarningImage(false));   // 15
    list.push_back(FarShipArrowImage(true));   // 16
    list.push_back(FarShipArrowImage(false));  // 17
    return list;
}
