# Placeholder until the generators land: no built-in picture source yet.
set(KADREX_BUILTIN_PICTURE_SOURCE "")
