# SPDX-License-Identifier: Apache-2.0
# Turns the UTF-8 language sources into the bytes the module writes out as its
# UI language files: UTF-16LE behind the byte-order mark FF FE, lines ended by
# CR LF. Writes a C++ source holding both as byte arrays.
#   cmake -DOUTPUT=<file.cpp> -DCHINESE=<cn.ini> -DENGLISH=<en.ini> -P embed_language_texts.cmake

# Appends one UTF-16 unit, little-endian, to the array text in `out`.
macro(append_unit unit)
    math(EXPR low "(${unit}) & 0xFF" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR high "(${unit}) >> 8" OUTPUT_FORMAT HEXADECIMAL)
    string(APPEND out "${low},${high},")
    math(EXPR units "${units} + 1")
    math(EXPR column "${units} % 8")
    if(column EQUAL 0)
        string(APPEND out "\n")
    endif()
endmacro()

macro(append_code_point cp)
    if(${cp} GREATER_EQUAL 0x10000)
        math(EXPR high_surrogate "0xD800 + ((${cp} - 0x10000) >> 10)")
        math(EXPR low_surrogate "0xDC00 + ((${cp} - 0x10000) & 0x3FF)")
        append_unit(${high_surrogate})
        append_unit(${low_surrogate})
    elseif(NOT (units EQUAL 1 AND ${cp} EQUAL 0xFEFF))  # a UTF-8 signature is not text
        append_unit(${cp})
    endif()
endmacro()

# Sets `var` to the initialiser list of the file's bytes.
function(utf16_array file var)
    file(READ "${file}" hex HEX)
    string(REGEX MATCHALL ".." bytes "${hex}")
    set(out "")
    set(units 0)
    append_unit(0xFEFF)
    set(pending 0)
    set(last 0)
    foreach(byte IN LISTS bytes)
        math(EXPR value "0x${byte}")
        if(pending GREATER 0)
            if(value LESS 0x80 OR value GREATER_EQUAL 0xC0)
                message(FATAL_ERROR "${file}: malformed UTF-8")
            endif()
            math(EXPR cp "(${cp} << 6) | (${value} & 0x3F)")
            math(EXPR pending "${pending} - 1")
            if(pending EQUAL 0)
                append_code_point(${cp})
            endif()
        elseif(value EQUAL 0x0D)
            # Line ends are rewritten below, whatever the checkout made of them.
        elseif(value EQUAL 0x0A)
            append_unit(0x0D)
            append_unit(0x0A)
        elseif(value LESS 0x80)
            append_unit(${value})
        elseif(value GREATER_EQUAL 0xF0)
            math(EXPR cp "${value} & 0x07")
            set(pending 3)
        elseif(value GREATER_EQUAL 0xE0)
            math(EXPR cp "${value} & 0x0F")
            set(pending 2)
        elseif(value GREATER_EQUAL 0xC0)
            math(EXPR cp "${value} & 0x1F")
            set(pending 1)
        else()
            message(FATAL_ERROR "${file}: malformed UTF-8")
        endif()
        set(last ${value})
    endforeach()
    if(pending GREATER 0)
        message(FATAL_ERROR "${file}: malformed UTF-8 at the end")
    endif()
    if(NOT last EQUAL 0x0A)
        append_unit(0x0D)
        append_unit(0x0A)
    endif()
    set(${var} "${out}" PARENT_SCOPE)
endfunction()

utf16_array("${CHINESE}" chinese)
utf16_array("${ENGLISH}" english)
file(WRITE "${OUTPUT}.tmp" "// Generated from the language sources in src/resources/lang; do not edit.

namespace orca::resources::embedded {

extern const unsigned char kChineseText[];
extern const unsigned long kChineseTextSize;
extern const unsigned char kEnglishText[];
extern const unsigned long kEnglishTextSize;

const unsigned char kChineseText[] = {
${chinese}};
const unsigned long kChineseTextSize = sizeof(kChineseText);

const unsigned char kEnglishText[] = {
${english}};
const unsigned long kEnglishTextSize = sizeof(kEnglishText);

}  // namespace orca::resources::embedded
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
