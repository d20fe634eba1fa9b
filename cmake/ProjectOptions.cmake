# Shared compile settings: every target links vantrel_warnings.
add_library(vantrel_warnings INTERFACE)
target_compile_options(vantrel_warnings INTERFACE -Wall -Wextra)

if(SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Fuzz build: the libraries are instrumented for coverage (fuzzer-no-link) so
# libFuzzer's guidance reaches into them; the fuzz targets add -fsanitize=fuzzer
# for the driver. Undefined behaviour aborts, so the fuzzer reports it as a crash.
if(FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "FUZZ=ON needs clang (configure with CC=clang CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
