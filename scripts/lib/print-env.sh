# The print path the printing tests use: CUPS with its PDF printer as the default printer, which
# Wine's programs then print to. Source it and call start_print_path; shared by every program's
# printing tests.
#
# start_print_path starts cupsd when it is not running, adds the printer "PDF" (cups-pdf) when it
# is missing and makes it the default. It leaves cupsd running: other runs may print through it.
# Without CUPS it says so and returns 1; the printing tests then skip and say why.
# Exports PRINT_PDF_PRINTER (the printer's name) when the path is ready.

PRINT_PDF_PRINTER=PDF

print_path_missing() {
  local tool
  for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat /usr/bin/pdfinfo; do
    [ -x "$tool" ] || { echo "$tool"; return 0; }
  done
  [ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || { echo "printer-driver-cups-pdf"; return 0; }
  return 1
}

start_print_path() {
  local missing
  if missing=$(print_path_missing); then
    echo "print path: $missing is missing (run scripts/setup); printing tests will skip" >&2
    return 1
  fi
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    /usr/sbin/cupsd || true
    local i
    for i in $(seq 1 50); do
      lpstat -r 2>/dev/null | grep -q "is running" && break
      sleep 0.1
    done
  fi
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "print path: cupsd did not start; printing tests will skip" >&2
    return 1
  fi
  if ! lpstat -p "$PRINT_PDF_PRINTER" >/dev/null 2>&1; then
    lpadmin -p "$PRINT_PDF_PRINTER" -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E
  fi
  lpadmin -d "$PRINT_PDF_PRINTER"
  export PRINT_PDF_PRINTER
}
