# Warnings and floating-point rules shared by every target.
add_compile_options(-Wall -Wextra)

# No fused multiply-add anywhere: every build must compute the same bits.
add_compile_options(-ffp-contract=off)

if(CMAKE_SYSTEM_PROCESSOR MATCHES "i686|i386|x86$")
  # x87 arithmetic would round differently from the 64-bit builds.
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(WIN32)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE)
  # Hosts load the DLL alone: no libstdc++, libgcc or winpthread DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(QG_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
