#ifndef FLOTILLA_SIM_CRUISER_H
#define FLOTILLA_SIM_CRUISER_H

#include "sim/Warship.h"

// Stands its ground: fires once a tick while the target is in range, gives the
// attack up when it is not, and turns on whoever hits it while idle.
class Cruiser : public Warship {
public:
    Cruiser(const std::string& name_, Point position_);
    ~Cruiser() override;

    void receive_hit(int hit_force, std::shared_ptr<Ship> attacker) override;
    void update() override;
    void describe() const override;
};

#endif
