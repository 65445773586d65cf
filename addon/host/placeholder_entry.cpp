// Entry points of the add-on; the action table arrives with the host services.
extern "C" __attribute__((visibility("default"))) void ufsta(char*, int*, int) {}
extern "C" __attribute__((visibility("default"))) int ufusr_ask_unload() { return 1; }
extern "C" __attribute__((visibility("default"))) void ufusr_cleanup() {}
