#!/usr/bin/env bash
# Lays out a demo folder in which every button of the program has something to
# do: the program with its language package, stand-ins for the outside tools
# (they only write what they were asked into standins.log), settings and backups.
#   scripts/make-demo.sh BUILD_FOLDER DEMO_FOLDER
set -euo pipefail

build=$1
demo=$2
standin="$build/tests/standins/standin.exe"

rm -rf "$demo"
mkdir -p "$demo/Backup/2008-03-01" "$demo/Backup/2008-03-07" "$demo/Sysreg" \
         "$demo/RegCleaner" "$demo/Prefetch" "$demo/Patches"
cp "$build/src/app/HIVORA.exe" "$build/src/app/HIVORA.LOC" "$demo/"
for tool in ERUNT.EXE NTREGOPT.EXE AUTOBACK.EXE PAGEDFRG.EXE Erdnt.exe Notepad.exe \
            Sysreg/Erdnt.exe Backup/2008-03-07/Erdnt.exe RegCleaner/REGCLEANR.EXE \
            Prefetch/WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE; do
    cp "$standin" "$demo/$tool"
done
printf 'Erunt 1.1j - Versionshinweise (Demo)\r\n' > "$demo/ERUNT.TXT"
# A backup is dated by the Erdnt.Inf ERUNT writes into it.
printf 'Demo\r\n' > "$demo/Sysreg/Erdnt.inf"
printf 'Demo\r\n' > "$demo/Backup/2008-03-07/Erdnt.Inf"
touch -d '2008-03-01 09:30' "$demo/Backup/2008-03-01"
touch -d '2008-03-07 14:05' "$demo/Backup/2008-03-07/Erdnt.Inf" "$demo/Backup/2008-03-07"
touch -d '2008-03-09 08:15' "$demo/Sysreg/Erdnt.inf"
printf '<html><body>Demo</body></html>\r\n' > "$demo/Patches/vrnPatchLoader.hta"

# Folders as Wine sees them: the demo lies on drive Z:.
windows_path() { printf 'Z:%s' "$(echo "$1" | sed 's|/|\\|g')"; }
folder=$(windows_path "$demo")
printf '[ERUNT]\r\nInstallFolder=%s\r\nDefaultDestinationFolder=%s\\Backup\r\nBootClean=%s\\Prefetch\r\nRegCleaner=%s\\RegCleaner\r\nWinPatch=%s\\Patches\r\nDateFormat=yyyy/mm/dd\r\nDateSeparator=-\r\n' \
    "$folder" "$folder" "$folder" "$folder" "$folder" > "$demo/ERUNT.INI"
