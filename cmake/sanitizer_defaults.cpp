// Options every program of a sanitizer build starts with, so that the tests, the fabdoc
// runs of the journal tests and the reader processes they fork behave alike.
extern "C" {

const char* __asan_default_options() { return "detect_stack_use_after_return=1:check_initialization_order=1"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

const char* __lsan_default_options() { return "suppressions=" FABDOC_LSAN_SUPPRESSIONS; }

}  // extern "C"
