#ifndef FLOTILLA_VIEWS_SLAB_H
#define FLOTILLA_VIEWS_SLAB_H

#include <cstddef>
#include <vector>

// Memory for objects made by the thousand and walked every frame (icons):
// slots of one size, side by side in large blocks, handed out in order and
// reused last-freed first. Objects made one after another lie one after
// another, so a walk over them in that order reads memory in a steady
// stride that the processor fetches ahead, where the general heap strews
// them among everything else allocated in between.
//
// Blocks are kept for the rest of the run. Under AddressSanitizer every
// object gets memory of its own, so that a use after destruction is caught.
class Slab {
public:
    // Slots of `slot_size` bytes (rounded up to a cache line), each starting
    // on a cache line.
    explicit Slab(std::size_t slot_size);
    Slab(const Slab&) = delete;
    Slab& operator=(const Slab&) = delete;

    // An object larger than a slot gets memory of its own; release must be
    // told the size it was allocated with.
    void* allocate(std::size_t size);
    void release(void* slot, std::size_t size) noexcept;

private:
    struct Free_slot {
        Free_slot* next;
    };
    std::size_t slot_size;
    Free_slot* free_slots = nullptr;
    char* unused = nullptr; // the rest of the newest block
    char* block_end = nullptr;
    std::vector<char*> blocks; // kept, so that they stay reachable
};

// A Slab as an allocator, for std::allocate_shared: the object and its
// shared count land in one slot.
template <typename T> class Slab_allocator {
public:
    using value_type = T;

    explicit Slab_allocator(Slab& slab_) : slab(&slab_) {}
    template <typename U> Slab_allocator(const Slab_allocator<U>& other) : slab(other.slab) {}

    T* allocate(std::size_t count) { return static_cast<T*>(slab->allocate(count * sizeof(T))); }
    void deallocate(T* object, std::size_t count) noexcept {
        slab->release(object, count * sizeof(T));
    }

    template <typename U> bool operator==(const Slab_allocator<U>& other) const {
        return slab == other.slab;
    }
    template <typename U> bool operator!=(const Slab_allocator<U>& other) const {
        return slab != other.slab;
    }

private:
    template <typename U> friend class Slab_allocator;
    Slab* slab;
};

#endif
