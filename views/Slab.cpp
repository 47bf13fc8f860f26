#include "views/Slab.h"

#include <new>

namespace {

const std::size_t cache_line_c = 64;
const std::size_t slots_per_block_c = 256;
// Blocks start on a page, so that a slot of a power-of-two size starts on
// a multiple of it (and a pair of lines a slot reads together is fetched
// together).
const std::size_t block_alignment_c = 4096;

#if defined(__SANITIZE_ADDRESS__)
const bool slabs_in_use_c = false;
#else
const bool slabs_in_use_c = true;
#endif

} // namespace

Slab::Slab(std::size_t slot_size_)
    : slot_size((slot_size_ + cache_line_c - 1) / cache_line_c * cache_line_c) {}

void* Slab::allocate(std::size_t size) {
    if (!slabs_in_use_c || size > slot_size)
        return ::operator new(size);
    if (free_slots) {
        Free_slot* slot = free_slots;
        free_slots = slot->next;
        return slot;
    }
    if (unused == block_end) {
        const std::size_t bytes = slot_size * slots_per_block_c;
        auto* block =
            static_cast<char*>(::operator new(bytes, std::align_val_t(block_alignment_c)));
        blocks.push_back(block);
        unused = block;
        block_end = block + bytes;
    }
    void* slot = unused;
    unused += slot_size;
    return slot;
}

void Slab::release(void* slot, std::size_t size) noexcept {
    if (!slot)
        return;
    if (!slabs_in_use_c || size > slot_size) {
        ::operator delete(slot);
        return;
    }
    free_slots = new (slot) Free_slot{free_slots};
}
