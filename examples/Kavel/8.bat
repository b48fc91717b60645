# Critical speed map job (stand-in): 8.bat RESULT places the sample map in data/holpix.mac.
exec /bin/sh "$(dirname "$0")/samples/place.sh" 8.bat "${1:-HOLPIX.OUT}" holpix.mac
