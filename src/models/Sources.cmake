# Pure models shared with the audio side go to CORVANE_CORE_SOURCES, editor models to CORVANE_EDITOR_SOURCES.
