# One INTERFACE target carries the language standard and the warning set for every target.
option(QUORVEX_WERROR "Treat compiler warnings as errors" OFF)
option(QUORVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(quorvex_build_options INTERFACE)
target_compile_features(quorvex_build_options INTERFACE cxx_std_20)
target_compile_options(quorvex_build_options INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor
    $<$<BOOL:${QUORVEX_WERROR}>:-Werror>)
if(QUORVEX_SANITIZE)
    target_compile_options(quorvex_build_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(quorvex_build_options INTERFACE -fsanitize=address,undefined)
endif()
