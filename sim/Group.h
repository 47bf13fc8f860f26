#ifndef FLOTILLA_SIM_GROUP_H
#define FLOTILLA_SIM_GROUP_H

#include "sim/Commandable_object.h"
#include "sim/Error.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Ship;
class World_reader;
class World_writer;

// A named set of commandable objects that takes commands itself. Members are
// held weakly so a group never keeps a ship alive; a member that no longer
// exists is skipped by every operation until the next update prunes it.
class Group : public Commandable_object {
public:
    explicit Group(std::string name_) : name(std::move(name_)) {}
    ~Group() override = 0;

    std::string get_name() const override { return name; }
    void add_member(std::shared_ptr<Commandable_object> member) override;
    void remove_member(std::shared_ptr<Commandable_object> member) override;
    // The ship nearest to p at any depth of nesting; empty nested groups take
    // no part, so a warship attacking a group always gets a ship.
    std::shared_ptr<Commandable_object> get_closest_member(Point p) override;
    // Direct members, counting any that no longer exist but are not yet pruned.
    std::size_t count() const override { return children.size(); }
    bool is_empty() const override { return count() == 0; }
    // Present directly or inside a nested group at any depth.
    bool is_member_present(std::shared_ptr<Commandable_object> target) const override;
    // As get_closest_member, but empty when there is no ship at any depth.
    std::shared_ptr<Ship> get_closest_ship(Point p) const;

    virtual void update();
    virtual void describe() const;

    // The members, in their order, for a saved world. Restoring refuses
    // members listed out of the order they were made in, since that order
    // is the group's own, and every member the group itself would refuse.
    void save_state(World_writer& out) const;
    void restore(World_reader& in);

protected:
    // Members in the order they were made (their creation serial), held weakly.
    using Member_set = std::map<std::uint64_t, std::weak_ptr<Commandable_object>>;

    // Applies a bound command to one member and gathers its failure, so that
    // one member's refusal stops no other member from being commanded.
    template <typename F> class Gather_Error_msgs_fn_caller {
    public:
        explicit Gather_Error_msgs_fn_caller(const F& command_) : command(command_) {}

        void operator()(const std::weak_ptr<Commandable_object>& child) {
            auto member = child.lock();
            if (!member)
                return;
            try {
                command(*member);
            } catch (Error& error) {
                errors = true;
                error_messages += error.msg;
            }
        }
        bool errors_caught() const { return errors; }
        std::string get_error_messages() const { return error_messages; }

    private:
        F command;
        bool errors = false;
        std::string error_messages;
    };

    // Commands every member in member order, then throws one Error carrying
    // every failure's text in the order they happened. Successes stand.
    template <typename F> void perform_on_all_children(const F& command) {
        Gather_Error_msgs_fn_caller<F> caller(command);
        for (const auto& member : children)
            caller(member.second);
        if (caller.errors_caught())
            throw Error(caller.get_error_messages());
    }

    void remove_child(std::uint64_t serial) { children.erase(serial); }
    // Collects first and removes afterwards, so the set is never changed while
    // it is being walked.
    template <typename Pred> void remove_children_if(Pred pred) {
        std::vector<std::uint64_t> gone;
        for (const auto& member : children) {
            if (pred(member.second))
                gone.push_back(member.first);
        }
        for (std::uint64_t serial : gone)
            remove_child(serial);
    }

private:
    Member_set children;
    const std::string name;
};

#endif
