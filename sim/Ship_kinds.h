#ifndef FLOTILLA_SIM_SHIP_KINDS_H
#define FLOTILLA_SIM_SHIP_KINDS_H

// What sets the kinds of ship apart, one row a kind. Each kind's constructor
// takes its numbers from its row, the factory makes a kind by the row's name,
// and the views key their pictures by that name.
struct Ship_kind {
    const char* name;
    double fuel_capacity;    // tons
    double maximum_speed;    // knots
    double fuel_consumption; // tons per nautical mile
    int resistance;          // hits survived
    // Only a warship fires: its hit force and how far it reaches (nm).
    int firepower;
    double maximum_range;
};

namespace Ship_kinds {
inline constexpr Ship_kind tanker_c{"Tanker", 100., 10., 2., 0, 0, 0.};
inline constexpr Ship_kind cruiser_c{"Cruiser", 1000., 20., 10., 6, 3, 15.};
inline constexpr Ship_kind cruise_ship_c{"Cruise_ship", 500., 15., 2., 0, 0, 0.};
inline constexpr Ship_kind torpedo_boat_c{"Torpedo_boat", 1500., 26., 8., 4, 7, 4.};
} // namespace Ship_kinds

#endif
