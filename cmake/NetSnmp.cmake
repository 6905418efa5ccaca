# net-snmp: the manager library for snmp/, the agent libraries for the simulator.
find_program(NET_SNMP_CONFIG net-snmp-config REQUIRED)
execute_process(COMMAND ${NET_SNMP_CONFIG} --libs OUTPUT_VARIABLE _nx_snmp_libs OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${NET_SNMP_CONFIG} --agent-libs OUTPUT_VARIABLE _nx_snmp_agent_libs OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(_nx_snmp_libs UNIX_COMMAND "${_nx_snmp_libs}")
separate_arguments(_nx_snmp_agent_libs UNIX_COMMAND "${_nx_snmp_agent_libs}")

add_library(NetSnmp::client INTERFACE IMPORTED)
set_target_properties(NetSnmp::client PROPERTIES INTERFACE_LINK_LIBRARIES "${_nx_snmp_libs}")
add_library(NetSnmp::agent INTERFACE IMPORTED)
set_target_properties(NetSnmp::agent PROPERTIES INTERFACE_LINK_LIBRARIES "${_nx_snmp_agent_libs}")
