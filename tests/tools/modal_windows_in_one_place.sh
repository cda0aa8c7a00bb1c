#!/bin/bash
# A modal window's own event loop, run inside a tick of the main loop, holds the polling for as
# long as the window stays open. The program runs every such loop in controls/OknaModalne.cpp,
# which waits for the tick's end; anywhere else an exec() of a window, a static message box or
# a standard dialog's get...() would bypass it. Only queries may exec() elsewhere, and the
# program's main loop in ui/main.cpp.
root=${1:?source root}
status=0
zrodla() {
    grep -rnE "$1" "$root"/core "$root"/comm "$root"/controls "$root"/reports "$root"/ui \
        --include='*.cpp' --include='*.h' | grep -v "^$root/controls/OknaModalne.cpp:"
}
zle() {
    echo "modal loop outside OknaModalne: $1"
    status=1
}
while IFS= read -r trafienie; do
    plik=${trafienie%%:*}
    tekst=${trafienie#*:*:}
    nazwa=$(sed -E 's/.*[^A-Za-z0-9_]([A-Za-z_][A-Za-z0-9_]*)[[:space:]]*(\.|->)[[:space:]]*exec[[:space:]]*\(.*/\1/' <<<"$tekst")
    grep -Eq "QSqlQuery[&[:space:]]+$nazwa([^A-Za-z0-9_]|$)" "$plik" || zle "$trafienie"
done < <(zrodla '(\.|->)[[:space:]]*exec[[:space:]]*\(')
while IFS= read -r trafienie; do
    [[ $trafienie == "$root/ui/main.cpp:"*"QApplication::exec()"* ]] || zle "$trafienie"
done < <(zrodla '(^|[^A-Za-z0-9_.>])exec[[:space:]]*\(\)')
while IFS= read -r trafienie; do
    zle "$trafienie"
done < <(zrodla 'QMessageBox::(information|warning|critical|question|about|aboutQt)[[:space:]]*\(|QMessageBox[[:space:]]+[A-Za-z_][A-Za-z0-9_]*[[:space:]]*[({]|new[[:space:]]+QMessageBox|Q(File|Input|Color|Font)Dialog::get')
exit $status
