# Arb, the ball arithmetic library, as the imported target Arb::Arb. Debian 12 ships it
# apart (arb.h, libflint-arb); FLINT 3 carries it inside (flint/arb.h, libflint).
# Its include and link lines live here and nowhere else.
find_path(Arb_INCLUDE_DIR arb.h PATH_SUFFIXES flint)
find_library(Arb_LIBRARY NAMES flint-arb arb)
find_library(Arb_FLINT_LIBRARY NAMES flint)
find_library(Arb_MPFR_LIBRARY NAMES mpfr)
find_library(Arb_GMP_LIBRARY NAMES gmp)
if(NOT Arb_LIBRARY AND Arb_FLINT_LIBRARY AND Arb_INCLUDE_DIR MATCHES "flint$")
  set(Arb_LIBRARY ${Arb_FLINT_LIBRARY})  # FLINT 3: Arb is part of libflint
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Arb REQUIRED_VARS
  Arb_INCLUDE_DIR Arb_LIBRARY Arb_FLINT_LIBRARY Arb_MPFR_LIBRARY Arb_GMP_LIBRARY)

if(Arb_FOUND AND NOT TARGET Arb::Arb)
  add_library(Arb::Arb INTERFACE IMPORTED)
  set_target_properties(Arb::Arb PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${Arb_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES
      "${Arb_LIBRARY};${Arb_FLINT_LIBRARY};${Arb_MPFR_LIBRARY};${Arb_GMP_LIBRARY}")
endif()
