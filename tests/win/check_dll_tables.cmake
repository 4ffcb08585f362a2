cmake_minimum_required(VERSION 3.25)
# Reads ORCAUI.dll's headers, import and export tables with objdump -p: the
# DLL is a GUI one, every imported DLL must be one Windows itself ships, and
# the exports exactly the two the driver host looks up.
set(system_dlls ADVAPI32.dll KERNEL32.dll msvcrt.dll WINSPOOL.DRV USER32.dll GDI32.dll
    COMCTL32.dll COMDLG32.dll SHELL32.dll OLE32.dll)
string(TOLOWER "${system_dlls}" system_dlls)

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "objdump -p ${DLL} failed")
endif()

if(NOT dump MATCHES "Subsystem[\t ]+0*2[\t ]+\\(Windows GUI\\)")
    message(FATAL_ERROR "not built for the GUI subsystem")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
set(foreign)
foreach(line IN LISTS imports)
    string(REPLACE "DLL Name: " "" name "${line}")
    string(TOLOWER "${name}" lower)
    message(STATUS "imports ${name}")
    if(NOT lower IN_LIST system_dlls)
        list(APPEND foreign ${name})
    endif()
endforeach()
if(NOT imports)
    message(FATAL_ERROR "no import table found")
endif()
if(foreign)
    message(FATAL_ERROR "imports DLLs that are not the system's: ${foreign}")
endif()

# The export names are the lines between the "[Ordinal/Name Pointer] Table"
# heading and the next blank line.
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" at)
if(at EQUAL -1)
    message(FATAL_ERROR "no export table found")
endif()
string(SUBSTRING "${dump}" ${at} -1 names)
string(FIND "${names}" "\n\n" end)
string(SUBSTRING "${names}" 0 ${end} names)
string(REGEX MATCHALL "\\[ *[0-9]+\\] [A-Za-z_][A-Za-z0-9_]*" entries "${names}")
set(exports)
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "\\[ *[0-9]+\\] " "" name "${entry}")
    list(APPEND exports ${name})
endforeach()
message(STATUS "exports ${exports}")
if(NOT exports STREQUAL "DllCanUnloadNow;DllGetClassObject")
    message(FATAL_ERROR "exports ${exports}, not exactly DllCanUnloadNow and DllGetClassObject")
endif()
