// The basic suite (in_data->pica_basicP): suites by name and version, and memory blocks.
#include <cstdlib>
#include <cstring>
#include <string>

#include "SPBasic.h"
#include "simhost/host_pieces.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"

namespace fx {
namespace {

constexpr std::string_view kSource = "basic";

SPErr acquire_suite(const char* name, int32 version, const void** suite) {
    SimHost& host = SimHost::active();
    SPErr result = host.fault_for(kSource, "AcquireSuite");
    if (result != 0) {
        if (suite != nullptr) *suite = nullptr;
    } else {
        result = host.suites().acquire(name, version, suite);
    }
    host.record(kSource, "AcquireSuite", arguments_text(name, version), result);
    return result;
}

SPErr release_suite(const char* name, int32 version) {
    SimHost& host = SimHost::active();
    SPErr result = host.fault_for(kSource, "ReleaseSuite");
    if (result == 0) result = host.suites().release(name, version);
    host.record(kSource, "ReleaseSuite", arguments_text(name, version), result);
    return result;
}

SPBoolean is_equal(const char* token1, const char* token2) {
    if (token1 == nullptr || token2 == nullptr) return token1 == token2;
    return std::strcmp(token1, token2) == 0;
}

SPErr allocate_block(size_t size, void** block) {
    SimHost& host = SimHost::active();
    SPErr result = host.fault_for(kSource, "AllocateBlock");
    if (block == nullptr) result = kSPBadParameterError;
    void* memory = nullptr;
    if (result == 0) {
        memory = std::malloc(size == 0 ? 1 : size);
        if (memory == nullptr) result = kSPOutOfMemoryError;
    }
    if (block != nullptr) *block = memory;
    if (memory != nullptr) host.track_block(memory, size);
    host.record(kSource, "AllocateBlock", std::to_string(size) + " -> " + pointer_text(memory), result);
    return result;
}

SPErr free_block(void* block) {
    SimHost& host = SimHost::active();
    SPErr result = host.fault_for(kSource, "FreeBlock");
    if (result == 0) {
        if (host.untrack_block(block)) {
            std::free(block);
        } else {
            host.note_misuse("FreeBlock: " + pointer_text(block) + " is not a block of this host");
            result = kSPBadParameterError;
        }
    }
    host.record(kSource, "FreeBlock", pointer_text(block), result);
    return result;
}

SPErr reallocate_block(void* block, size_t new_size, void** new_block) {
    SimHost& host = SimHost::active();
    SPErr result = host.fault_for(kSource, "ReallocateBlock");
    void* memory = nullptr;
    if (result == 0 && new_block == nullptr) result = kSPBadParameterError;
    if (result == 0 && block != nullptr && !host.untrack_block(block)) {
        host.note_misuse("ReallocateBlock: " + pointer_text(block) + " is not a block of this host");
        result = kSPBadParameterError;
    }
    if (result == 0) {
        memory = std::realloc(block, new_size == 0 ? 1 : new_size);
        if (memory == nullptr) {
            result = kSPOutOfMemoryError;
            if (block != nullptr) host.track_block(block, 0);  // the old block is still the plug-in's
        } else {
            host.track_block(memory, new_size);
        }
    }
    if (new_block != nullptr) *new_block = memory;
    host.record(kSource, "ReallocateBlock",
                pointer_text(block) + ", " + std::to_string(new_size) + " -> " + pointer_text(memory), result);
    return result;
}

SPErr undefined() {
    SimHost::active().record(kSource, "Undefined", "", kSPUnimplementedError);
    return kSPUnimplementedError;
}

}  // namespace

SPBasicSuite make_basic_suite() {
    SPBasicSuite suite{};
    suite.AcquireSuite = acquire_suite;
    suite.ReleaseSuite = release_suite;
    suite.IsEqual = is_equal;
    suite.AllocateBlock = allocate_block;
    suite.FreeBlock = free_block;
    suite.ReallocateBlock = reallocate_block;
    suite.Undefined = undefined;
    return suite;
}

}  // namespace fx
