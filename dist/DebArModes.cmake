# Run by cpack once it has made the package (CPACK_POST_BUILD_SCRIPTS). CPack gives the three
# members of the .deb's ar archive the modes of the files it wrote them from, which follow the
# umask; this sets each to 0644, as dpkg-deb does, so that every umask gives the same package.
# An ar member's header is 60 bytes: its mode is 8 bytes at 40, its size 10 bytes at 48; the
# member follows, padded to an even length.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    file(SIZE ${deb} size)
    set(offset 8) # after "!<arch>\n"
    while(offset LESS size)
        file(READ ${deb} header OFFSET ${offset} LIMIT 60)
        string(SUBSTRING "${header}" 48 10 length)
        string(STRIP "${length}" length)
        math(EXPR mode_at "${offset} + 40")
        execute_process(COMMAND printf "100644  "
                        COMMAND dd of=${deb} bs=1 seek=${mode_at} conv=notrunc status=none
                        COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR offset "${offset} + 60 + ${length} + ${length} % 2")
    endwhile()
endforeach()
