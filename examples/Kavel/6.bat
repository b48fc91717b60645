# Response mode job (stand-in): 6.bat RESULT places the sample modes in data/mirnok.mac.
exec /bin/sh "$(dirname "$0")/samples/place.sh" 6.bat "${1:-MIRNOK.OUT}" mirnok.mac
