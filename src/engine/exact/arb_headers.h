#pragma once
// Arb and FLINT's rationals, wherever the distribution puts them (FLINT 3 ships Arb
// inside itself).

#if __has_include(<flint/arb.h>)
#include <flint/arb.h>
#else
#include <arb.h>
#endif
#include <flint/fmpq.h>
#include <flint/fmpz.h>
