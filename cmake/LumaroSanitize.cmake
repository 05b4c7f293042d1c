# LUMARO_SANITIZE: every target of the build, the tools kvt and velminfo included, is compiled
# with AddressSanitizer and UndefinedBehaviorSanitizer. -O1 and line tables only (-g1) instead of
# full debug information keep the build and the test run short (CI has two cores) while the
# reports still point at the right lines. Undefined behaviour stops the program (no recovery), so a finding
# fails its test instead of scrolling past in the log.
if(LUMARO_SANITIZE)
    set(lumaro_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    # Placed after the build type's own flags, so -O1 wins over RelWithDebInfo's -O2 -g.
    add_compile_options(${lumaro_sanitize_flags} -O1 -g1)
    add_link_options(${lumaro_sanitize_flags})
    # Half of each file's compile time goes into the same Qt headers: libraries are compiled
    # eight files at a time, which roughly halves the build. Two files of one library whose
    # private helpers share a name break only this build; rename one of them.
    set(CMAKE_UNITY_BUILD ON)
    set(CMAKE_UNITY_BUILD_BATCH_SIZE 8)
endif()

# LUMARO_FUZZ (clang only): coverage for libFuzzer plus the same two sanitizers on everything;
# the fuzz programs themselves link libFuzzer (fuzz/CMakeLists.txt).
if(LUMARO_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer -O1 -g)
    add_link_options(-fsanitize=address,undefined)
endif()
