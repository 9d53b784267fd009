# Sourced by the font tests: private_fonts WORK writes WORK/fonts.conf, a
# fontconfig setup of the system's fonts plus the faces in WORK/fonts, with its
# cache in WORK/cache, so a test's fonts never reach the user's font list.
private_fonts() {
  mkdir -p "$1/fonts"
  cat > "$1/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$1/fonts</dir>
  <cachedir>$1/cache</cachedir>
</fontconfig>
CONF
}
