# Embedded resources.
