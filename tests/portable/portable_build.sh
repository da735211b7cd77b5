#!/bin/sh
# The build a platform without X11, or a user without the packaging tools,
# gets: a clean copy of the source, configured with the X11 code left out,
# with the packaging tools and the windows' font hidden, then the program and
# its offscreen tests built. Debug, without sanitizers, warnings as errors.
# usage: portable_build.sh <cmake> <source dir> <work dir>
set -eu
cmake="$1"
src="$2"
work="$3"
mkdir -p "$work"
cd "$work"

# The files git knows, or everything but the build trees outside a checkout.
rm -rf source
mkdir source
if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$src" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) | tar -C source -xf -
else
  tar -C "$src" --exclude=./build -cf - . | tar -C source -xf -
fi

# Every program on PATH but the packaging tools, and the cross compiler and
# Wine that build and run Velmora.exe.
hidden=" x86_64-w64-mingw32-g++-posix wine appstreamcli dpkg-deb dpkg-shlibdeps lintian desktop-file-validate hardening-check man rpmbuild rpm rpmlint "
rm -rf bin
mkdir bin
IFS=:
for dir in $PATH; do
  for program in "$dir"/*; do
    name=${program##*/}
    case "$hidden" in *" $name "*) continue ;; esac
    [ -x "$program" ] && [ ! -e "bin/$name" ] && ln -s "$program" "bin/$name"
  done
done
unset IFS

# A font configuration without Liberation Sans.
cat >fonts.conf <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$work/font-cache</cachedir>
</fontconfig>
CONF

rm -f build/CMakeCache.txt
env PATH="$work/bin" FONTCONFIG_FILE="$work/fonts.conf" \
  "$cmake" -S source -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON \
  -DVELMORA_X11=OFF >configure.log 2>&1 || {
  cat configure.log
  exit 1
}
grep -E "not found|not installed" configure.log || {
  echo "FAIL: configuring did not say what is missing"
  exit 1
}
env PATH="$work/bin" "$cmake" --build build --target velmora model_tests qt_tests >build.log 2>&1 || {
  cat build.log
  exit 1
}
