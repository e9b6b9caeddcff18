# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
