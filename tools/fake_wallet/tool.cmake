# A GUI program: no console of its own when a GUI parent starts it.
set_target_properties(${tname} PROPERTIES WIN32_EXECUTABLE ON)
