#!/usr/bin/env bash
# The card support library exports every name the program and other users bind,
# and the program names it as a load-time dependency.
set -u
library=$1
program=$2
exports=(fGetMazzoLeft fGetMazzoTop fSetMazzoLeft fSetMazzoTop fGetDestLeft fGetDestTop fSetDestLeft
  fSetDestTop fGetFilaLeft fGetFilaTop fSetFilaLeft fSetFilaTop fGetAppoggLeft fGetAppoggTop
  fSetAppoggLeft fSetAppoggTop fGetVarInt fSetVarInt fCard2Value fIsCartaRossa fIsCartaFigura
  fIsCartaAsse fIsCartaRe fIsCartaSuccessiva fInitVariabiliDLL fGetCarte fcharSetCarte
  fSystemNumColors fProvaVC fDisegnaAngoliCarta fDisegnaAngoliSupCarta fDisegnaAngoliInfCarta
  fDisegnaAngoliInfCarta3DPile fDisegnaAngoloInf3DPile fDisegnaOmbraCarta)
defined=$(nm -D --defined-only "$library" | awk '$2 == "T" {print $3}')
failed=0
for name in "${exports[@]}"; do
  if ! grep -qx "$name" <<<"$defined"; then
    echo "missing export: $name"
    failed=1
  fi
done
# Nothing but the C exports leaks out: C++ symbols would mean a missing visibility setting.
if grep -q '^_Z' <<<"$defined"; then
  echo "unexpected C++ exports:"; grep '^_Z' <<<"$defined"
  failed=1
fi
if ! readelf -d "$program" | grep -q 'NEEDED.*\[libquilloro\.so\]'; then
  echo "$program does not name libquilloro.so as a load-time dependency"
  failed=1
fi
# The library depends on nothing of ours.
if readelf -d "$library" | grep 'NEEDED' | grep -v -E 'lib(c|m|stdc\+\+|gcc_s|asan|ubsan)\.so|ld-linux' ; then
  echo "the card support library needs more than the system libraries"
  failed=1
fi
[ $failed -eq 0 ] && echo "all ${#exports[@]} exports present"
exit $failed
