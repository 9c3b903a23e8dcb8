#include "standins/bass/common/CoreLink.h"

namespace {

CoreLink resolve() {
    CoreLink link;
    HMODULE core = ::GetModuleHandleW(L"bass.dll");
    if (!core) return link;
#define CORE_LINK_RESOLVE(name, result, params) \
    link.name = reinterpret_cast<name##_t>(reinterpret_cast<void*>(::GetProcAddress(core, #name)));
    BASS_CORE_ENTRY_POINTS(CORE_LINK_RESOLVE)
#undef CORE_LINK_RESOLVE
    link.createChannel = reinterpret_cast<StandinCreateChannel_t>(
        reinterpret_cast<void*>(::GetProcAddress(core, STANDIN_CREATE_CHANNEL)));
    link.setDataHook = reinterpret_cast<StandinSetDataHook_t>(
        reinterpret_cast<void*>(::GetProcAddress(core, STANDIN_SET_DATA_HOOK)));
    link.setError =
        reinterpret_cast<StandinSetError_t>(reinterpret_cast<void*>(::GetProcAddress(core, STANDIN_SET_ERROR)));
    return link;
}

}  // namespace

const CoreLink& coreLink() {
    // Resolved again until bass.dll is there: an add-on may be loaded before it.
    static CoreLink link;
    if (!link.ready()) link = resolve();
    return link;
}
