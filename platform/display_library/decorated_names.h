// The host display library's functions carry the other platform's decorated names,
// which contain '?' and '@'. The GNU linker reads '@' as a symbol version, so the
// functions are linked under stand-in names ('_' for each '?' and '@') and the built
// library's dynamic symbol names are rewritten afterwards (rename_symbols.cpp).
#pragma once

#define FABDOC_DECORATED(standIn) __asm__(standIn)
