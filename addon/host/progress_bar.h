// The progress bar of long batches, drawn by the host's internal display library when
// it is there; every call does nothing when the library or the function is missing.
#pragma once

namespace kzt {

// Creates the bar and returns its handle (0 when the library is not there).
long progress_create();
void progress_show(long handle);
void progress_set_range(long handle, int lower, int upper);
void progress_set_pos(long handle, int position);
void progress_delete(long handle);
// Ends a batch: fits the work view and sets the status line.
void finish_batch_display();

}  // namespace kzt
