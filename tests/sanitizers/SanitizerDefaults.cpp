// The sanitizers' runtime options, linked into every executable of a sanitizer build: a report
// ends the process with a failure, and the suppression files beside this one apply. Options given
// in the environment (ASAN_OPTIONS, ...) are read after these and win.

#define VELMORA_DEFAULT_OPTIONS(name, text)                                                        \
    extern "C" __attribute__((visibility("default"), used)) const char* name() {                   \
        return text;                                                                               \
    }

VELMORA_DEFAULT_OPTIONS(__asan_default_options,
                        "detect_leaks=1:strict_init_order=1:check_initialization_order=1")
VELMORA_DEFAULT_OPTIONS(__lsan_default_options,
                        "suppressions=" VELMORA_SUPPRESSIONS_DIR "/lsan.supp:print_suppressions=0")
VELMORA_DEFAULT_OPTIONS(__ubsan_default_options,
                        "print_stacktrace=1:halt_on_error=1:suppressions=" VELMORA_SUPPRESSIONS_DIR
                        "/ubsan.supp")
VELMORA_DEFAULT_OPTIONS(
    __tsan_default_options,
    "halt_on_error=1:second_deadlock_stack=1:suppressions=" VELMORA_SUPPRESSIONS_DIR "/tsan.supp")
