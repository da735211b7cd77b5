#!/bin/sh
# In the portable build (portable_build.sh), where the packaging tools are
# hidden, the tests that need them are registered, and CTest shows each as
# skipped with the tool it misses.
# usage: portable_skipped_tests.sh <ctest> <work dir>
set -eu
ctest="$1"
build="$2/build"

# name:missing tools, as the test says them
expected="
packaging_desktop_entry_valid:desktop-file-validate
packaging_metainfo_valid:appstreamcli
packaging_packages_build:dpkg-shlibdeps
packaging_debian_package:dpkg-deb, man, hardening-check
packaging_debian_lintian:lintian
packaging_rpm_package:rpmbuild, rpm, dpkg-deb
packaging_rpm_lint:rpmbuild, rpmlint
"
names=$(echo "$expected" | sed -n 's/:.*//p' | paste -sd '|')
# Only these tests, without the fixtures that would install or build first.
log=$("$ctest" --test-dir "$build" -R "^($names)\$" -FA '.*' -V 2>&1)
echo "$log"

while IFS=: read -r name missing; do
  [ -n "$name" ] || continue
  if ! echo "$log" | grep -Eq "^ *[0-9]+/[0-9]+ Test +#[0-9]+: $name \.+\*+Skipped"; then
    echo "FAIL: $name is not shown as skipped"
    exit 1
  fi
  if ! echo "$log" | grep -Fq "test skipped: not found: $missing"; then
    echo "FAIL: $name does not say that it misses $missing"
    exit 1
  fi
done <<LIST
$expected
LIST
