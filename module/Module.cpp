// Entry point of the library as an extension module of the host's framework.
