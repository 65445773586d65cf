// The session's display manager (declared with the modifications it makes).
#pragma once
#include <NXOpen/DisplayModification.hxx>
