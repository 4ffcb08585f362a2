# SPDX-License-Identifier: Apache-2.0
cmake_minimum_required(VERSION 3.25)
# Prints the size of the DLL and fails when it reaches LIMIT bytes: the C++
# runtime is linked in, so a source that brings in its streams or file-system
# library grows the DLL by most of a megabyte.
file(SIZE ${DLL} size)
message(STATUS "${DLL}: ${size} bytes, limit ${LIMIT}")
if(size GREATER_EQUAL LIMIT)
    message(FATAL_ERROR "${DLL} is ${size} bytes, not under ${LIMIT}")
endif()
