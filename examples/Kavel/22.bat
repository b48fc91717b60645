# Deflection job (stand-in): 22.bat RESULT places the sample deflection in data/wespar.mac.
exec /bin/sh "$(dirname "$0")/samples/place.sh" 22.bat "${1:-WESPAR.OUT}" wespar.mac
