# The pinned sky data package and its published integrity, written once: the
# build checks the downloaded package against it, and the tests of that check
# read it from here.
set(VESPERA_SKY_PACKAGE_NAME d3-celestial)
set(VESPERA_SKY_PACKAGE_VERSION 0.7.35)
set(VESPERA_SKY_PACKAGE_INTEGRITY
  "sha512-cURxIl0E+FGWnYj6gTDt80SjuiM9lklcGykj/skVy7glDg5nj/QxTUoPPArU+bpEQ+1fLy5hi920OvJ/TgliRw==")
