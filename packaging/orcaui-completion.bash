# SPDX-License-Identifier: Apache-2.0
# bash completion of orcaui: commands, options, printer names, the names of
# `get` and `set`, and in a sheet's actions the verbs, tab titles and control
# names. Every list is read from the orcaui being completed (its help,
# `orcaui printers` and `options`, the sheet it prints), so the completion
# follows the program it completes.

# Splits the line up to the cursor as the shell will: _orcaui_words gets the
# words with their quotes and backslashes taken off, the last one the word
# at the cursor (maybe empty); _orcaui_raw that word as typed and
# _orcaui_quote the quote it is open in, if any.
_orcaui_split() {
    local line=$1 word="" raw="" quote="" started=0 i c
    _orcaui_words=()
    for ((i = 0; i < ${#line}; i++)); do
        c=${line:i:1}
        if [[ -n $quote ]]; then
            raw+=$c
            if [[ $c == "$quote" ]]; then
                quote=""
            elif [[ $quote == '"' && $c == '\' && ${line:i+1:1} == [\"\\\$\`] ]]; then
                ((i++))
                raw+=${line:i:1}
                word+=${line:i:1}
            else
                word+=$c
            fi
        elif [[ $c == '\' ]]; then
            ((i++))
            raw+=$c${line:i:1}
            word+=${line:i:1}
            started=1
        elif [[ $c == [\"\'] ]]; then
            quote=$c
            raw+=$c
            started=1
        elif [[ $c == [[:space:]] ]]; then
            ((started)) && _orcaui_words+=("$word")
            word="" raw="" started=0
        else
            word+=$c
            raw+=$c
            started=1
        fi
    done
    _orcaui_words+=("$word")
    _orcaui_raw=$raw
    _orcaui_quote=$quote
}

# Offers the candidates that begin with the word at the cursor. Inside an
# open quote they go in as they are; otherwise escaped for the shell, less
# what the line editor keeps of the word before a word-breaking character
# such as = or :.
_orcaui_offer() {
    local candidate escaped kept=0 i c
    if [[ -z $_orcaui_quote ]]; then
        for ((i = 0; i < ${#_orcaui_raw}; i++)); do
            c=${_orcaui_raw:i:1}
            if [[ $c == '\' ]]; then
                ((i++))
            elif [[ $COMP_WORDBREAKS == *"$c"* ]]; then
                kept=$((i + 1))
            fi
        done
    fi
    for candidate in "$@"; do
        if [[ -n $_orcaui_quote ]]; then
            [[ $candidate == "${_orcaui_words[-1]}"* ]] && COMPREPLY+=("$candidate")
        else
            printf -v escaped '%q' "$candidate"
            [[ $escaped == "$_orcaui_raw"* ]] && COMPREPLY+=("${escaped:kept}")
        fi
    done
}

# Whether the state directory the line names (or the default one) holds a
# state: a run on a missing or empty one would make it.
_orcaui_has_state() {
    local dir=${XDG_STATE_HOME:-$HOME/.local/state}/orcaui i
    [[ ${XDG_STATE_HOME:-} == /* ]] || dir=$HOME/.local/state/orcaui
    for ((i = 0; i < ${#_orcaui_global[@]}; i++)); do
        case ${_orcaui_global[i]} in
            --state) dir=${_orcaui_global[i + 1]} ;;
            --state=*) dir=${_orcaui_global[i]#--state=} ;;
        esac
    done
    dir=${dir/#\~/$HOME}
    [[ -d $dir && -n $(ls -A "$dir" 2>/dev/null) ]]
}

# Runs the orcaui being completed on the state and plug-in the line names,
# quietly and without waiting long for a state another run holds; never on
# a state directory that is not there yet.
_orcaui_run() {
    _orcaui_has_state || return
    ORCAUI_LOCK_TIMEOUT=1 "$_orcaui_program" "${_orcaui_global[@]}" "$@" 2>/dev/null
}

# The display width of a UTF-8 character's code point, as orcaui pads its
# tables: East Asian wide characters take two columns, marks none.
_orcaui_char_width() {
    local c=$1
    if ((c >= 0x300 && c <= 0x36F || c >= 0x200B && c <= 0x200F || c >= 0xFE00 && c <= 0xFE0F)); then
        echo 0
    elif ((c >= 0x1100 && c <= 0x115F || c >= 0x2E80 && c <= 0x303E || c >= 0x3041 && c <= 0xA4CF ||
        c >= 0xAC00 && c <= 0xD7A3 || c >= 0xF900 && c <= 0xFAFF || c >= 0xFE30 && c <= 0xFE4F ||
        c >= 0xFF00 && c <= 0xFF60 || c >= 0xFFE0 && c <= 0xFFE6 || c >= 0x1F300 && c <= 0x1F64F ||
        c >= 0x1F900 && c <= 0x1F9FF || c >= 0x20000 && c <= 0x3FFFD)); then
        echo 2
    else
        echo 1
    fi
}

# The part of a line from display column start, width columns wide (to its
# end when width is negative); the line's bytes read as UTF-8 whatever the
# locale.
_orcaui_slice() {
    local LC_ALL=C line=$1 start=$2 width=$3 i=0 column=0 byte size code k out=""
    while ((i < ${#line})); do
        printf -v byte '%d' "'${line:i:1}"
        ((byte < 0)) && byte=$((byte + 256))
        if ((byte < 0x80)); then size=1 code=$byte
        elif ((byte >= 0xF0)); then size=4 code=$((byte & 0x07))
        elif ((byte >= 0xE0)); then size=3 code=$((byte & 0x0F))
        else size=2 code=$((byte & 0x1F)); fi
        for ((k = 1; k < size; k++)); do
            printf -v byte '%d' "'${line:i+k:1}"
            ((byte < 0)) && byte=$((byte + 256))
            code=$(((code << 6) | (byte & 0x3F)))
        done
        ((column >= start && (width < 0 || column < start + width))) && out+=${line:i:size}
        column=$((column + $(_orcaui_char_width "$code")))
        i=$((i + size))
    done
    printf '%s' "$out"
}

# One column of a table whose header names its columns: the text from the
# column's name up to the next column's, blanks at its end taken off.
_orcaui_column() {
    local column=$1 header line start width=-1 after gap
    IFS= read -r header
    [[ $header == *"$column"* ]] || return
    start=${header%%"$column"*}
    start=${#start}
    after=${header:start+${#column}}
    gap=${after%%[! ]*}
    [[ -n ${after// /} ]] && width=$((${#column} + ${#gap}))
    while IFS= read -r line; do
        line=$(_orcaui_slice "$line" "$start" "$width")
        printf '%s\n' "${line%"${line##*[! ]}"}"
    done
}

_orcaui() {
    local _orcaui_words _orcaui_raw _orcaui_quote _orcaui_program _orcaui_global=()
    COMPREPLY=()
    _orcaui_split "${COMP_LINE:0:COMP_POINT}"
    local words=("${_orcaui_words[@]}") last=$((${#_orcaui_words[@]} - 1))
    local cur=${words[last]} prev="" rest=() i
    _orcaui_program=${words[0]/#\~/$HOME}
    ((last > 1)) && prev=${words[last - 1]}

    for ((i = 1; i < last; i++)); do
        case ${words[i]} in
            --state | --plugin | --spooler | --cups-server)
                ((i + 1 < last)) && _orcaui_global+=("${words[i]}" "${words[i + 1]/#\~/$HOME}")
                ((i++))
                ;;
            --state=* | --plugin=* | --spooler=* | --cups-server=*) _orcaui_global+=("${words[i]}") ;;
            *) rest+=("${words[i]}") ;;
        esac
    done
    if [[ $prev == --spooler ]]; then
        _orcaui_offer sim cups
        return
    fi
    [[ $prev == --cups-server ]] && return
    if [[ $prev == --state || $prev == --plugin ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen "$([[ $prev == --state ]] && echo -d || echo -f)" -- "$cur")
        return
    fi

    local overview commands=() name
    overview=$(_orcaui_run --help)
    mapfile -t commands < <(sed -n '/^commands:$/,/^$/s/^  \([a-z]\+\( [a-z]\+\)\?\)  .*/\1/p' \
        <<<"$overview")
    if ((${#rest[@]} == 0)); then
        local first=()
        mapfile -t first < <({
            printf '%s\n' "${commands[@]%% *}"
            sed -n 's/^  \(--[a-z-]\+\).*/\1/p' <<<"$overview"
            echo --help
        } | sort -u)
        _orcaui_offer "${first[@]}"
        return
    fi

    # The command: one word, or a family's two.
    local command="" used=1 family=()
    for name in "${commands[@]}"; do
        [[ $name == "${rest[0]}" ]] && command=$name
        [[ $name == "${rest[0]} "* ]] && family+=("${name#* }")
    done
    if [[ -z $command && ${#family[@]} -gt 0 ]]; then
        if ((${#rest[@]} == 1)); then
            _orcaui_offer "${family[@]}"
            return
        fi
        command="${rest[0]} ${rest[1]}"
        used=2
    fi
    [[ -z $command ]] && return

    local help usage
    # shellcheck disable=SC2086  # a family's command is two arguments
    help=$(_orcaui_run $command --help)
    usage=${help%%$'\n'*}
    # The usage after the command's name, brackets taken off: " PRINTER --all ".
    usage="${usage#"usage: orcaui $command"} "
    usage=${usage//[\[\]]/}
    if [[ $cur == -* ]]; then
        local options=()
        mapfile -t options < <({
            grep -o -- ' -[-a-z]\+' <<<"$usage" | tr -d ' '
            sed -n 's/^  \(-[a-zA-Z], \)\?\(--[a-z-]\+\).*/\2/p' <<<"$help"
            echo --help
        } | sort -u)
        _orcaui_offer "${options[@]}"
        return
    fi
    # An option's value: a file, a model or a driver.
    if [[ $prev == -* && $usage == *" $prev "[A-Z]* ]]; then
        local value=${usage#*" $prev "} names=()
        case ${value%% *} in
            FILE)
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -f -- "$cur")
                ;;
            MODEL)
                mapfile -t names < <(_orcaui_run models | cut -f1)
                _orcaui_offer "${names[@]}"
                ;;
            DRIVER)
                mapfile -t names < <(_orcaui_run printers | _orcaui_column DRIVER | sort -u)
                _orcaui_offer "${names[@]}"
                ;;
            NAME)
                mapfile -t names < <(_orcaui_run printers | _orcaui_column PRINTER)
                _orcaui_offer "${names[@]}"
                ;;
        esac
        return
    fi

    # The positional arguments before the cursor's, options left out.
    local positional=() sheet_options=()
    for ((i = used; i < ${#rest[@]}; i++)); do
        case ${rest[i]} in
            --printer-sheet) sheet_options+=("${rest[i]}") ;;
            -*) [[ $usage == *" ${rest[i]} "[A-Z]* ]] && ((i++)) ;;
            *) positional+=("${rest[i]}") ;;
        esac
    done
    if ((${#positional[@]} == 0)) && [[ $usage == " PRINTER "* ||
        ($usage == " NAME "* && $command != *add) ]]; then
        local names=()
        mapfile -t names < <(_orcaui_run printers | _orcaui_column PRINTER)
        _orcaui_offer "${names[@]}"
    elif ((${#positional[@]} == 0)) && [[ $usage == " MODEL "* && " ${rest[*]} " != *" --printer "* ]]; then
        local names=()
        mapfile -t names < <(_orcaui_run models | cut -f1)
        _orcaui_offer "${names[@]}"
    elif ((${#positional[@]} > 0)) && [[ $usage == *"ACTION..."* ]]; then
        _orcaui_actions "${positional[0]}" "${sheet_options[@]}"
    elif ((${#positional[@]} > 0)) && [[ $usage == *" NAME"*"..."* ]]; then
        _orcaui_option_names "${positional[0]}" "$usage" "${sheet_options[@]}"
    fi
}

# An option's name after `get` or `set`, as `orcaui options` lists the
# printer's (with --printer-sheet, of its properties); for `set` with its =.
_orcaui_option_names() {
    local printer=$1 usage=$2 names=()
    mapfile -t names < <(_orcaui_run options "$printer" "${@:3}" | sed 's#/.*##')
    if [[ $usage == *"NAME=VALUE"* ]]; then
        names=("${names[@]/%/=}")
        compopt -o nospace 2>/dev/null
    fi
    _orcaui_offer "${names[@]}"
}

# A sheet's action: its verb; after the verb, a tab title (`tab`), a control
# name (a verb whose first argument is a CONTROL) or the verb's next word
# (`answer dialog`), as the sheet's help and the printed sheet tell them.
_orcaui_actions() {
    local printer=$1 cur=${_orcaui_words[-1]} help verb candidates=() line
    help=$(_orcaui_run sheet --help | sed -n '/^actions/,/^$/p')
    if [[ $cur != *" "* ]]; then
        # Inside quotes a verb that takes arguments comes with its blank.
        while read -r verb line; do
            [[ -n $_orcaui_quote && -n $line ]] && verb+=" "
            candidates+=("$verb")
        done < <(sed -n 's/^  \([a-z]\+\)\( [^ ]\+\)\?.*/\1\2/p' <<<"$help" | sort -u -k1,1)
        [[ -n $_orcaui_quote ]] && compopt -o nospace 2>/dev/null
        _orcaui_offer "${candidates[@]}"
        return
    fi
    verb=${cur%% *}
    [[ ${cur#"$verb "} == *" "* ]] && return
    if [[ $verb == tab ]]; then
        line=$(_orcaui_run sheet "$printer" "${@:2}" | grep -m1 '^  tabs ')
        line=${line#  tabs }
        line=${line//[\[\]]/}
        while [[ $line =~ ^\"([^\"]*)\"\ ?(.*)$ ]]; do
            candidates+=("tab ${BASH_REMATCH[1]}")
            line=${BASH_REMATCH[2]}
        done
    elif grep -q "^  $verb CONTROL" <<<"$help"; then
        local name
        for name in $(_orcaui_run sheet "$printer" "${@:2}" --all | grep -o 'IDC_[A-Z0-9_]\+' |
            sort -u); do
            candidates+=("$verb $name")
        done
    else
        mapfile -t candidates < <(sed -n "s/^  \($verb [a-z]\+\).*/\1/p" <<<"$help")
    fi
    _orcaui_offer "${candidates[@]}"
}

complete -F _orcaui orcaui
