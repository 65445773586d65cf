// Export marker of the host's object interface: its classes are shared by the host
// library and every add-on, so their type information must be visible to both.
#pragma once
#define NXOPENCPPEXPORT __attribute__((visibility("default")))
