// The version the command reports.
namespace fabdoc::app {
const char* Version() { return "0.1.0"; }
}  // namespace fabdoc::app
