#ifndef FLOTILLA_SIM_ISLAND_H
#define FLOTILLA_SIM_ISLAND_H

#include "sim/Sim_object.h"

// A fuel depot at a fixed place: supplies ships, accepts cargo from tankers
// and produces fuel of its own every tick.
class Island : public Sim_object {
public:
    Island(const std::string& name_, Point position_, double fuel_, double production_rate_);

    Point get_location() const override { return position; }
    double get_fuel() const { return fuel; }
    double get_production_rate() const { return production_rate; }

    // Supplies as much of the request as the stock allows and returns that.
    double provide_fuel(double request);
    void accept_fuel(double amount);

    void update() override;
    void describe() const override;

private:
    const Point position;
    double fuel;
    const double production_rate;
};

#endif
