# Two builds of one commit give the same bytes, whenever and wherever they are made.
#
# Paths are written relative to the source and build folders. The build folder's map comes last:
# it may lie inside the source folder, and the last matching map wins.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

# The one time the build writes into what it makes: SOURCE_DATE_EPOCH when it is set, else the
# time of the last commit (else of this file, outside a git checkout).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(KELVORA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE KELVORA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_failed ERROR_QUIET)
    if(git_failed OR NOT KELVORA_SOURCE_DATE_EPOCH)
        file(TIMESTAMP ${CMAKE_CURRENT_LIST_FILE} KELVORA_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
endif()
# The tools the build runs see it: rcc stamps each file it embeds (the compiled translations)
# with it in place of the file's own time.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${KELVORA_SOURCE_DATE_EPOCH}")
