// Default options of the sanitizers for every test program, so that a test
// run by CTest, by hand or under a debugger behaves alike.

#ifndef VELMORA_LSAN_SUPPRESSIONS
#error "VELMORA_LSAN_SUPPRESSIONS must name the suppressions file"
#endif

extern "C" {

const char* __asan_default_options() { return "detect_leaks=1:halt_on_error=1"; }

const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

const char* __lsan_default_options() {
  return "suppressions=" VELMORA_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

}  // extern "C"
