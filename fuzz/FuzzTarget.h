// A parser entry point that the mutation harness feeds with damaged inputs. Each target
// registers itself from its own file with a static FuzzTargetRegistration.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct FuzzTarget {
    std::string name;
    // Calls the parser on the input; the input is only valid during the call.
    std::function<void(const uint8_t* data, size_t size)> run;
    // Tokens that matter to the format, spliced into inputs by the mutator.
    std::vector<std::string> tokens;
    // Folders of seed files below the source tree (in addition to fuzz/seeds/<name>).
    std::vector<std::string> seedFolders;
};

std::vector<FuzzTarget>& fuzzTargets();

struct FuzzTargetRegistration {
    explicit FuzzTargetRegistration(FuzzTarget target) { fuzzTargets().push_back(std::move(target)); }
};
