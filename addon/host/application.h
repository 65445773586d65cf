// The add-on's application record: its name and three callbacks.
#pragma once

inline constexpr const char* kApplicationName = "XXX";

void application_init();
void application_enter();
void application_exit();
