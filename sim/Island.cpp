#include "sim/Island.h"

#include <algorithm>
#include <iostream>

Island::Island(const std::string& name_, Point position_, double fuel_, double production_rate_)
    : Sim_object(name_), position(position_), fuel(fuel_), production_rate(production_rate_) {}

double Island::provide_fuel(double request) {
    double supplied = std::min(request, fuel);
    fuel -= supplied;
    std::cout << "Island " << get_name_ref() << " supplied " << supplied << " tons of fuel\n";
    return supplied;
}

void Island::accept_fuel(double amount) {
    fuel += amount;
    std::cout << "Island " << get_name_ref() << " now has " << fuel << " tons\n";
}

void Island::update() {
    if (production_rate > 0.)
        accept_fuel(production_rate * 1.);
}

void Island::describe() const {
    std::cout << "\nIsland " << get_name_ref() << " at position " << position << '\n'
              << "Fuel available: " << fuel << " tons\n";
}
