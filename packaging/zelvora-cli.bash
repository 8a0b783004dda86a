# bash completion for zelvora-cli: its commands, each command's options, and file names.
_zelvora_cli() {
    local cur prev words cword
    _init_completion || return

    local commands="races race-name open show betlines kmi detail idx csv demo season report catalogue download"
    local service="--user --password-stdin --service-host --ca-file --dir"
    local command="" i
    for ((i = 1; i < cword; i++)); do
        case "${words[i]}" in
            --data-dir) ((i++)) ;;
            -*) ;;
            *) command="${words[i]}"; break ;;
        esac
    done

    case "$prev" in
        --data-dir | --dir) _filedir -d; return ;;
        --out | --csv | --ca-file) _filedir; return ;;
        --sort-column) COMPREPLY=($(compgen -W "1 2 7 8 9 10" -- "$cur")); return ;;
        --seed | --days | --race | --user | --service-host) return ;;
    esac

    if [[ -z "$command" ]]; then
        COMPREPLY=($(compgen -W "$commands --data-dir --help" -- "$cur"))
        return
    fi

    local options="--help"
    case "$command" in
        show) options+=" --json --sort-column" ;;
        betlines) options+=" --out" ;;
        kmi) options+=" --race" ;;
        detail) options+=" --json" ;;
        csv) options+=" --yes" ;;
        demo) options+=" --seed --keep-existing" ;;
        season) options+=" --days --seed" ;;
        report) options+=" --json --csv" ;;
        catalogue) options+=" $service" ;;
        download) options+=" $service --yes" ;;
    esac
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    case "$command" in
        open) _filedir '@(lzh|LZH|lha|LHA)' ;;
        demo | season) _filedir -d ;;
        report | kmi | idx) _filedir ;;
    esac
} && complete -F _zelvora_cli zelvora-cli
