// Removing attributes and undoing drawing production: what the removal dialog does to
// the work part, apart from reading its blocks.
#pragma once
#include <vector>

#include <uf_defs.h>

namespace kzt {

// Every attribute, of any title, of each object; an occurrence's prototype loses its
// attributes too.
void remove_all_attributes(const std::vector<tag_t>& objects);

// The work part's solid bodies made to drawing, in cycling order. They go back to layer 1,
// and so does the parent component of every body.
std::vector<tag_t> made_to_drawing_bodies_to_layer_1();

// Drawing number "1" on each body (prototype first for an occurrence).
void reset_drawing_numbers(const std::vector<tag_t>& bodies);

// Every drawing sheet of the work part, with its views and notes.
void delete_drawing_sheets();

}  // namespace kzt
