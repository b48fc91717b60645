# Rotor model job (stand-in): 2.bat RESULT places the sample model in data/savlen.mac.
exec /bin/sh "$(dirname "$0")/samples/place.sh" 2.bat "${1:-SAVLEN.OUT}" savlen.mac
