// Five ships with their own shapes and colours. Each picture is exactly the size the race draws
// it at, and each nozzle sits on the centre line where that ship's exhaust flame begins (pixels
// behind the picture's centre: 30.4, 34.0, 18.1, 16.5 and 30.4).

#include "ShipDesigns.h"

#include <stdexcept>

namespace art::race {

namespace {

ShipPart Part(PartFinish finish, Polygon points, double height, uint32_t colour,
              bool smooth = false, double tilt = 0) {
    return {finish, std::move(points), height, tilt, Hex(colour), smooth};
}

// A part mirrored about the centre line from its right half.
ShipPart Body(PartFinish finish, const Polygon& rightHalf, double height, uint32_t colour,
              bool smooth = true) {
    return Part(finish, MirroredOutline(rightHalf), height, colour, smooth);
}

// Adds a right-side part and its mirrored twin on the left.
void AddPair(ShipDesign& design, const ShipPart& right) {
    design.Parts.push_back(MirroredPart(right));
    design.Parts.push_back(right);
}

// The engine nozzle at the centre line: a dark bell with its hot core, centred on y.
void AddNozzle(ShipDesign& design, double y, double radius, double height) {
    const double r = radius;
    design.Parts.push_back(
        Body(PartFinish::Hull,
             {{0, y - r}, {r * 0.8, y - r * 0.7}, {r, y}, {r * 0.8, y + r * 0.7}, {0, y + r}},
             height, 0x34363C));
    const double c = radius * 0.62;
    design.Parts.push_back(
        Body(PartFinish::Light,
             {{0, y - c}, {c * 0.85, y - c * 0.6}, {c, y}, {c * 0.85, y + c * 0.6}, {0, y + c}},
             height, 0xFFB04A));
}

// Ship 1: a balanced all-rounder, crimson delta wings on a white arrow body.
ShipDesign Arrow() {
    ShipDesign ship{64, 73, {}};
    const double wingTilt = -0.12;
    AddPair(ship, Part(PartFinish::Paint, {{6, 56}, {13, 61}, {13, 68}, {6, 66}}, 2, 0x9A1620,
                       false, wingTilt));
    AddPair(ship, Part(PartFinish::Paint,
                       {{5, 27}, {14, 35}, {28, 50}, {31, 57}, {29, 62}, {19, 60}, {6, 58}}, 1,
                       0xCC2230, false, wingTilt));
    AddPair(ship, Part(PartFinish::Paint, {{9, 33}, {27, 51}, {28, 54}, {9, 37}}, 1.2, 0xF2F2F4,
                       false, wingTilt));
    AddPair(ship,
            Part(PartFinish::Hull, {{27.5, 46}, {30.5, 49}, {31.5, 61}, {28.5, 63}}, 3, 0x40444C));
    AddPair(ship, Part(PartFinish::Seam, {{10, 45}, {22, 56}, {22, 60}}, 1.3, 0x70101A));
    ship.Parts.push_back(Body(
        PartFinish::Hull,
        {{0, 1}, {2.5, 5}, {4.5, 12}, {6.5, 24}, {8, 38}, {8.5, 52}, {8, 62}, {6, 67}, {0, 68}}, 6,
        0xE8EAF0));
    ship.Parts.push_back(
        Body(PartFinish::Hull, {{0, 0.5}, {2.6, 5}, {3.8, 9.5}, {0, 10.5}}, 6.3, 0xD62836));
    AddPair(ship,
            Part(PartFinish::Paint, {{2.2, 38}, {3.6, 38}, {3.8, 58}, {2.4, 58}}, 7.5, 0xD62836));
    AddPair(ship, Part(PartFinish::Hull, {{7, 29}, {9.8, 33}, {10, 43}, {7.6, 43}}, 5, 0x2E3138));
    ship.Parts.push_back(
        Body(PartFinish::Hull, {{0, 56}, {5.5, 57}, {6.5, 63}, {5.2, 68}, {0, 69}}, 5, 0x50545E));
    AddNozzle(ship, 68.6, 4.2, 4.5);
    ship.Parts.push_back(Body(PartFinish::Glass,
                              {{0, 13}, {2.9, 16.5}, {3.9, 23}, {3.4, 30}, {0, 33}}, 9, 0x3CC8F0));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{29.5, 58}, {31, 58}, {31, 60}, {29.5, 60}}, 3, 0x4CFF70));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{-29.5, 58}, {-31, 58}, {-31, 60}, {-29.5, 60}}, 3, 0xFF3030));
    return ship;
}

// Ship 2: built for top speed, a long graphite needle with swept yellow wings and canards.
ShipDesign Needle() {
    ShipDesign ship{64, 73, {}};
    const double wingTilt = -0.1;
    AddPair(ship,
            Part(PartFinish::Paint, {{5, 40}, {12, 46}, {29, 61}, {31, 67}, {22, 67.5}, {6, 64}}, 1,
                 0xF0B400, false, wingTilt));
    AddPair(ship, Part(PartFinish::Paint, {{15, 58}, {30, 64}, {31, 67}, {22, 67.5}, {15, 62}}, 1.2,
                       0x26282E, false, wingTilt));
    AddPair(ship, Part(PartFinish::Paint, {{4, 19}, {11, 24}, {12, 28}, {4, 27}}, 3, 0xF0B400,
                       false, wingTilt));
    AddPair(ship, Part(PartFinish::Hull, {{6.5, 42}, {10, 45}, {10.8, 60}, {8.5, 63}, {6.5, 60}}, 4,
                       0x2C2F36));
    AddPair(ship, Part(PartFinish::Seam, {{11, 50}, {24, 60}}, 1.3, 0x7A5A00));
    ship.Parts.push_back(Body(
        PartFinish::Hull,
        {{0, 0}, {1.8, 5}, {3.5, 14}, {5, 28}, {6, 42}, {7, 54}, {6.5, 64}, {4.5, 69}, {0, 70}}, 5,
        0x3A3E48));
    ship.Parts.push_back(
        Body(PartFinish::Hull, {{0, 0}, {1.8, 5}, {2.7, 10}, {0, 11}}, 5.2, 0xF6C000));
    ship.Parts.push_back(
        Body(PartFinish::Paint, {{0, 37}, {1.3, 37}, {1.3, 62}, {0, 62}}, 6.5, 0xF6C000, false));
    AddNozzle(ship, 69.6, 3.3, 4);
    ship.Parts.push_back(Body(PartFinish::Glass,
                              {{0, 15}, {2.4, 18.5}, {3.2, 25}, {2.7, 32}, {0, 34}}, 8, 0xFF9A28));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{29.5, 64}, {31, 64}, {31, 66}, {29.5, 66}}, 1, 0x4CFF70));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{-29.5, 64}, {-31, 64}, {-31, 66}, {-29.5, 66}}, 1, 0xFF3030));
    return ship;
}

// Ship 3: sure-footed and hard to stop, a silver body between two green booms. The nozzle sits
// between the booms, so the flame shows behind the body.
ShipDesign Hammer() {
    ShipDesign ship{70, 67, {}};
    const double wingTilt = -0.08;
    AddPair(ship, Part(PartFinish::Paint, {{26, 34}, {33.5, 42}, {34.5, 54}, {27, 52}}, 2, 0x0E6C3C,
                       false, wingTilt));
    AddPair(ship, Part(PartFinish::Paint, {{7, 23}, {24, 26}, {28, 32}, {28, 47}, {7, 47}}, 1,
                       0xB8BEC6, false, wingTilt));
    AddPair(ship, Part(PartFinish::Seam, {{11, 29}, {11, 45}}, 1.2, 0x5A6068));
    AddPair(ship, Part(PartFinish::Hull,
                       {{20.5, 10},
                        {24, 12},
                        {26.5, 20},
                        {27, 44},
                        {26, 61},
                        {23.5, 65.5},
                        {19.5, 65.5},
                        {17, 61},
                        {16, 44},
                        {16.5, 20},
                        {18, 12}},
                       5, 0x1AA85C, true));
    AddPair(ship, Part(PartFinish::Hull, {{18, 60}, {25, 60}, {24.5, 65.5}, {18.5, 65.5}}, 5.5,
                       0x2A3A30));
    AddPair(ship,
            Part(PartFinish::Light, {{19.5, 64}, {23.5, 64}, {23, 65.5}, {20, 65.5}}, 6, 0xFFB04A));
    AddPair(ship, Part(PartFinish::Paint, {{20, 24}, {23, 24}, {23, 40}, {20, 40}}, 6.5, 0xF2F4F6));
    ship.Parts.push_back(
        Body(PartFinish::Hull,
             {{0, 2}, {4, 5}, {8, 12}, {10, 24}, {10.5, 40}, {9, 47}, {6, 50.5}, {0, 51.5}}, 7,
             0xC8CDD4));
    ship.Parts.push_back(
        Body(PartFinish::Hull, {{0, 2}, {4, 5}, {6.8, 10}, {0, 11}}, 7.2, 0x1AA85C));
    AddNozzle(ship, 51.6, 4.6, 5);
    ship.Parts.push_back(
        Body(PartFinish::Glass, {{0, 12}, {3.6, 15}, {4.6, 22}, {3.9, 28}, {0, 30}}, 10, 0xFFC030));
    AddPair(ship, Part(PartFinish::Seam, {{4, 34}, {7, 44}}, 7.5, 0x6A7078));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{33, 50}, {34.5, 50}, {34.5, 52}, {33, 52}}, 2, 0x4CFF70));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{-33, 50}, {-34.5, 50}, {-34.5, 52}, {-33, 52}}, 2, 0xFF3030));
    return ship;
}

// Ship 4: the quickest off the mark, a broad cobalt flying wing with a white hull and twin fins.
// The wing's trailing edge is cut back so the flame shows behind the nozzle.
ShipDesign Manta() {
    ShipDesign ship{76, 70, {}};
    const double wingTilt = -0.1;
    AddPair(ship, Part(PartFinish::Paint,
                       {{5, 9},
                        {12, 17},
                        {24, 33},
                        {36, 49},
                        {37.5, 58},
                        {34, 64},
                        {26, 60},
                        {16, 56},
                        {10, 58},
                        {6.5, 54}},
                       1, 0x2456D8, false, wingTilt));
    AddPair(ship, Part(PartFinish::Paint, {{10, 15}, {12.5, 16.5}, {36.5, 49}, {36.5, 53}}, 1.2,
                       0xF0F2F8, false, wingTilt));
    AddPair(ship, Part(PartFinish::Paint, {{33.5, 55}, {37.5, 58}, {34, 64}, {30, 61}}, 1.3,
                       0xFF8A1C, false, wingTilt));
    AddPair(ship, Part(PartFinish::Seam, {{9, 30}, {22, 50}, {28, 58}}, 1.3, 0x12307A));
    AddPair(ship, Part(PartFinish::Hull, {{11.5, 40}, {14, 41}, {16.5, 62}, {14, 65}, {11, 58}}, 6,
                       0xE8ECF4, true));
    ship.Parts.push_back(Body(PartFinish::Hull,
                              {{0, 3}, {4, 8}, {7, 18}, {8.5, 32}, {8.5, 44}, {7, 50}, {0, 52}}, 6,
                              0xE8ECF4));
    ship.Parts.push_back(
        Body(PartFinish::Hull, {{0, 3}, {4, 8}, {5.2, 12}, {0, 13}}, 6.2, 0x2456D8));
    AddPair(ship, Part(PartFinish::Hull, {{5.5, 36}, {8, 38}, {8, 46}, {5.5, 46}}, 6.5, 0x2E3138));
    AddNozzle(ship, 51.5, 4.6, 5);
    ship.Parts.push_back(
        Body(PartFinish::Glass, {{0, 15}, {3.4, 19}, {4.2, 26}, {3.4, 33}, {0, 35}}, 9, 0xA064F0));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{35, 57}, {36.6, 57}, {36.6, 59}, {35, 59}}, 1.5, 0x4CFF70));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{-35, 57}, {-36.6, 57}, {-36.6, 59}, {-35, 59}}, 1.5, 0xFF3030));
    return ship;
}

// Ship 5: the nimblest, a violet body with forward-swept wings tipped in orange.
ShipDesign Wasp() {
    ShipDesign ship{73, 68, {}};
    const double wingTilt = -0.12;
    AddPair(ship, Part(PartFinish::Paint, {{7, 54}, {18, 58}, {19, 64}, {7, 63}}, 2, 0x5A1EA0,
                       false, wingTilt));
    AddPair(ship,
            Part(PartFinish::Paint, {{8, 38}, {30, 23}, {35, 22}, {36, 29}, {12, 54}, {8, 55}}, 1,
                 0x7A2ED0, false, wingTilt));
    AddPair(ship, Part(PartFinish::Paint, {{29, 24}, {35, 22}, {36, 29}, {31.5, 32}}, 1.2, 0xFF8A1C,
                       false, wingTilt));
    AddPair(ship, Part(PartFinish::Seam, {{12, 44}, {28, 30}}, 1.3, 0x3A0C70));
    ship.Parts.push_back(Body(
        PartFinish::Hull, {{0, 3}, {4, 7}, {8, 16}, {11, 30}, {12, 44}, {11, 55}, {8, 62}, {0, 64}},
        6, 0x9050E4));
    ship.Parts.push_back(Body(PartFinish::Hull, {{0, 3}, {4, 7}, {6, 12}, {0, 13}}, 6.2, 0xFF8A1C));
    AddPair(ship,
            Part(PartFinish::Paint, {{7.5, 20}, {9.2, 21}, {11, 50}, {9.2, 52}}, 7, 0xFF8A1C));
    AddNozzle(ship, 64.2, 3.7, 4.5);
    ship.Parts.push_back(
        Body(PartFinish::Glass, {{0, 17}, {4.2, 21}, {5.2, 28}, {4.2, 35}, {0, 38}}, 10, 0x48E8A0));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{34.5, 26}, {36, 26}, {36, 28}, {34.5, 28}}, 1.5, 0x4CFF70));
    ship.Parts.push_back(
        Part(PartFinish::Light, {{-34.5, 26}, {-36, 26}, {-36, 28}, {-34.5, 28}}, 1.5, 0xFF3030));
    return ship;
}

}  // namespace

ShipDesign ShipDesignOf(int shipType) {
    switch (shipType) {
        case 1:
            return Arrow();
        case 2:
            return Needle();
        case 3:
            return Hammer();
        case 4:
            return Manta();
        case 5:
            return Wasp();
        default:
            throw std::invalid_argument("no such ship type");
    }
}

}  // namespace art::race
