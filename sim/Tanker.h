#ifndef FLOTILLA_SIM_TANKER_H
#define FLOTILLA_SIM_TANKER_H

#include "sim/Ship.h"

// Carries cargo fuel from a load island to an unload island in an endless
// cycle once both are set. While cycling it refuses ordinary navigation;
// stop() is the way out.
class Tanker : public Ship {
public:
    Tanker(const std::string& name_, Point position_);
    ~Tanker() override;

    void set_destination_position_and_speed(Point destination_, double speed) override;
    void set_course_and_speed(double course, double speed) override;
    void stop() override;
    // If the second destination cannot start the cycle (the tanker cannot
    // move), the destination goes back to what it was and the error passes on.
    void set_load_destination(std::shared_ptr<Island> island) override;
    void set_unload_destination(std::shared_ptr<Island> island) override;
    void update() override;
    void describe() const override;
    void save_state(World_writer& out) const override;
    void restore(World_reader& in) override;

private:
    enum TankerState_e {
        no_cargo_destinations,
        moving_to_loading,
        loading,
        moving_to_unloading,
        unloading
    };
    static const char* const TankerStateNames[];

    TankerState_e tanker_state = no_cargo_destinations;
    double cargo_capacity = 1000.;
    double cargo_supply = 0.;
    std::shared_ptr<Island> load_destination;
    std::shared_ptr<Island> unload_destination;

    bool both_cargo_destinations_set() const;
    bool no_destinations() const;
    bool in_cargo_cycle() const;
    bool cargo_destinations_are_same() const;
    void set_cargo_destination(std::shared_ptr<Island>& slot, std::shared_ptr<Island> island,
                               const char* announcement);
    void enter_cargo_cycle();
    void clear_cargo_destinations();
    void set_tanker_state(TankerState_e state) { tanker_state = state; }
    void sail_to(const std::shared_ptr<Island>& island, TankerState_e state);
    void load_cargo();
    void unload_cargo();
};

#endif
