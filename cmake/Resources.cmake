# Embedded resources are listed one by one in src/resources; this file only finds inputs from the system.
find_file(CORVANE_TYPEFACE_FILE
    NAMES Inconsolata.otf Inconsolata-Regular.ttf Inconsolata-Medium.ttf
    PATHS /usr/share/fonts/truetype/inconsolata /usr/share/fonts/opentype/inconsolata
    NO_DEFAULT_PATH)
