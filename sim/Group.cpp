#include "sim/Group.h"

#include "sim/Geometry.h"
#include "sim/Less_than_by_distance_from.h"
#include "sim/Ship.h"
#include "sim/World_file.h"

#include <iostream>
#include <vector>

namespace {
const char* const error_AddSelf_c = "Cannot add a Group to itself!\n";
const char* const error_AlreadyMember_c = "Already a member of this Group!\n";
const char* const error_Cycle_c = "Cannot add a Group that would create a Cycle!\n";
const char* const error_RemoveSelf_c = "Cannot remove a Group from itself!\n";
const char* const error_NotAMember_c = "Not a member of this Group!\n";
const char* const error_NoMembers_c = "Group does not have any members!\n";
const char* const error_MembersOutOfOrder_c =
    "members must be listed in the order they were made (the order of their lines)";

// Whether a member is the target, or a group holding it at any depth.
class Member_is_present {
public:
    explicit Member_is_present(std::shared_ptr<Commandable_object> target_)
        : target(std::move(target_)) {}

    bool operator()(const std::weak_ptr<Commandable_object>& child) const {
        auto member = child.lock();
        if (!member)
            return false;
        if (member == target)
            return true;
        auto group = std::dynamic_pointer_cast<Group>(member);
        return group && group->is_member_present(target);
    }

private:
    std::shared_ptr<Commandable_object> target;
};

// A member stands in for the choice by its nearest ship: itself if it is a
// ship, the nearest ship inside it if it is a group. A member with no ship at
// all compares as farther than any other.
class Closer_with_Groups {
public:
    explicit Closer_with_Groups(Point p_) : p(p_), closer(p_) {}

    std::shared_ptr<Ship> representative(const std::weak_ptr<Commandable_object>& child) const {
        auto member = child.lock();
        if (auto ship = std::dynamic_pointer_cast<Ship>(member))
            return ship;
        if (auto group = std::dynamic_pointer_cast<Group>(member))
            return group->get_closest_ship(p);
        return nullptr;
    }

    bool operator()(const std::shared_ptr<Ship>& a, const std::shared_ptr<Ship>& b) const {
        if (!a)
            return false;
        if (!b)
            return true;
        return closer(a, b);
    }

private:
    Point p;
    Less_than_by_distance_from<std::shared_ptr<Ship>> closer;
};

} // namespace

Group::~Group() = default;

void Group::add_member(std::shared_ptr<Commandable_object> member) {
    if (member.get() == this)
        throw Error(error_AddSelf_c);
    if (children.count(member->get_creation_serial()))
        throw Error(error_AlreadyMember_c);
    auto group = std::dynamic_pointer_cast<Group>(member);
    if (group && group->is_member_present(shared_from_this()))
        throw Error(error_Cycle_c);
    children.emplace(member->get_creation_serial(), member);
}

void Group::remove_member(std::shared_ptr<Commandable_object> member) {
    if (member.get() == this)
        throw Error(error_RemoveSelf_c);
    auto it = children.find(member->get_creation_serial());
    if (it == children.end())
        throw Error(error_NotAMember_c);
    children.erase(it);
}

bool Group::is_member_present(std::shared_ptr<Commandable_object> target) const {
    Member_is_present present(target);
    for (const auto& child : children) {
        if (present(child.second))
            return true;
    }
    return false;
}

std::shared_ptr<Ship> Group::get_closest_ship(Point p) const {
    Closer_with_Groups closer(p);
    std::shared_ptr<Ship> best;
    for (const auto& child : children) {
        auto candidate = closer.representative(child.second);
        if (closer(candidate, best))
            best = candidate;
    }
    return best;
}

std::shared_ptr<Commandable_object> Group::get_closest_member(Point p) {
    auto ship = get_closest_ship(p);
    if (!ship)
        throw Error(error_NoMembers_c);
    return ship;
}

void Group::update() {
    remove_children_if(
        [](const std::weak_ptr<Commandable_object>& child) { return child.expired(); });
}

void Group::describe() const {
    std::vector<std::shared_ptr<Commandable_object>> members;
    for (const auto& child : children) {
        if (auto member = child.second.lock())
            members.push_back(member);
    }
    if (members.empty()) {
        std::cout << name << " with no members.\n";
        return;
    }
    std::cout << name << " with " << members.size() << " members:\n  ";
    for (const auto& member : members)
        std::cout << member->get_name() << "  ";
    std::cout << '\n';
}

void Group::save_state(World_writer& out) const {
    out.word("members");
    for (const auto& child : children) {
        if (auto member = child.second.lock())
            out.word(member->get_name());
    }
}

void Group::restore(World_reader& in) {
    in.expect("members");
    while (!in.at_end()) {
        auto member = in.ship_or_group("a member");
        if (!children.empty() && member->get_creation_serial() < children.rbegin()->first)
            throw Error(error_MembersOutOfOrder_c);
        add_member(member);
    }
}
