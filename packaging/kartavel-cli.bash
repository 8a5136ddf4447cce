# bash completion for kartavel-cli.
#
# The commands and their options come from the program itself
# (`kartavel-cli --commands`, one command a line with its options), so a new
# command completes as soon as the program has it. Arguments and option values
# complete as file names.

_kartavel_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local globals="--data --help --version"

    # The program being completed, so a build tree's copy lists its own commands.
    local cli=${COMP_WORDS[0]/#\~/$HOME}
    local table
    table=$("$cli" --commands 2>/dev/null) || table=$(kartavel-cli --commands 2>/dev/null) ||
        return 0

    # "--data=DIR" arrives as "--data" "=" "DIR": the word after "=" is a value.
    [[ $prev == "=" ]] && return 0

    # The command is the first plain word, skipping the data folder after --data.
    local command="" i word
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ $word == --data ]]; then
            ((i++))
            [[ ${COMP_WORDS[i]} == "=" ]] && ((i++))
        elif [[ $word != -* && $word != "=" ]]; then
            command=$word
            break
        fi
    done

    local line options="" valueOptions=" --data "
    if [[ -n $command ]]; then
        while read -r line; do
            if [[ ${line%% *} == "$command" ]]; then
                for word in ${line#"$command"}; do
                    options+=" ${word%=}"
                    [[ $word == *= ]] && valueOptions+="${word%=} "
                done
            fi
        done <<<"$table"
    fi

    # A value of an option: a file name, or nothing the program could offer.
    [[ $valueOptions == *" $prev "* ]] && return 0

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$globals$options" -- "$cur")
    elif [[ -z $command ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(cut -d' ' -f1 <<<"$table")" -- "$cur")
    fi
    return 0
}

complete -o default -F _kartavel_cli kartavel-cli
