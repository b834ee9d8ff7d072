# Installs the build into a staging folder and checks what lands where.
#   cmake -DBUILD=<build dir> -DSTAGE=<scratch> -DPROGRAMS=<brimwell;brimwell-cli> -P InstallTree.cmake
foreach(program ${PROGRAMS})
  if(NOT EXISTS "${program}")
    message("${program} not built, skipped")
    return()
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(root "${STAGE}/usr")
foreach(file bin/brimwell bin/brimwell-cli
             share/applications/brimwell.desktop
             share/mime/packages/brimwell.xml
             share/icons/hicolor/32x32/apps/brimwell.png
             share/icons/hicolor/256x256/apps/brimwell.png
             share/brimwell/examples/sample.bwp share/brimwell/examples/parts.bmp
             share/doc/brimwell/copyright share/doc/brimwell/changelog.gz
             share/man/man1/brimwell.1.gz share/man/man1/brimwell-cli.1.gz)
  if(NOT EXISTS "${root}/${file}")
    message(FATAL_ERROR "${file} is not installed")
  endif()
endforeach()
file(GLOB_RECURSE everything RELATIVE "${root}" "${root}/*")
list(LENGTH everything count)
if(NOT count EQUAL 12)
  message(FATAL_ERROR "installed more than asked for: ${everything}")
endif()

# The entry opens both file types with the program, and the file types are the entry's.
file(READ "${root}/share/applications/brimwell.desktop" entry)
file(READ "${root}/share/mime/packages/brimwell.xml" types)
foreach(expected "\nExec=brimwell %f\n" "\nIcon=brimwell\n"
                 "\nMimeType=application/x-brimwell-project;application/x-fmf-map;\n")
  string(FIND "${entry}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "brimwell.desktop lacks ${expected}")
  endif()
endforeach()
foreach(type application/x-brimwell-project application/x-fmf-map)
  string(FIND "${types}" "type=\"${type}\"" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "brimwell.xml does not define ${type}")
  endif()
endforeach()

find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND "${validate}" "${root}/share/applications/brimwell.desktop"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endif()
file(REMOVE_RECURSE "${STAGE}")
