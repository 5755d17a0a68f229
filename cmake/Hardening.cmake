# Debian's hardening for C++, as dpkg-buildflags gives it on Debian 12: glibc's checked string and
# memory calls, a stack protector, a position-independent executable, and relocations resolved and
# made read-only at start. The package is built with it; any build may turn it off.
# Sanitizer builds leave the checked calls out: they bypass AddressSanitizer's own checks.
option(KELVORA_HARDEN "Build with Debian's hardening flags" ON)

if(KELVORA_HARDEN)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
    if(NOT (KELVORA_SANITIZE OR KELVORA_FUZZ))
        # The checks need the optimiser, which a Debug build (or one without a type) leaves off.
        add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE>
                            $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
    endif()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
